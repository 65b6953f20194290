<b>[VarKit Name]</b>
