<b>[VarKit]</b>
