<b>[VarKit?Shade^=crimson|navy]</b>
