<b>[VarKit?name ]</b>
