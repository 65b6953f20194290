<b>[VarKit- Shipping]</b>
