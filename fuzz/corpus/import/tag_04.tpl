<b>[VarKit Link=a=b]</b>
