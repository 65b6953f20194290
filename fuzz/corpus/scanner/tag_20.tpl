<b>[VarKit?total=5]</b>
