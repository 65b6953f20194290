<b>[VarKit?x^Shade=red]</b>
