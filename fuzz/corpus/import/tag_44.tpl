<b></VarKit></b>
