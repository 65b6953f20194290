<b>[VarKit#Price=12.50]</b>
