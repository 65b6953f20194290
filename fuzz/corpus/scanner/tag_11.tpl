<b>[VarKit$ My Shop]</b>
