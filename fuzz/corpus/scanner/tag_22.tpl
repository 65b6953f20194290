<b>[VarKit?random]</b>
