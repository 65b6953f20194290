<b>[VarKit(Price+2*3-1/4)]</b>
