<b>[VarKit(Price#20)]</b>
