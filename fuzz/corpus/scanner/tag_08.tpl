<b>[VarKit+Part=include.htm]</b>
