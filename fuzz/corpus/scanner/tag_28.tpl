<b>[VarKit?a-b]</b>
