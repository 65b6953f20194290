<b>[VarKit?total]</b>
