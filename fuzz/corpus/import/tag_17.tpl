<b>[VarKit^Theme=Red|Blue]</b>
