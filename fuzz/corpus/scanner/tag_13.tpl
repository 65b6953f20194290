<b>[VarKit$$install=templates]</b>
