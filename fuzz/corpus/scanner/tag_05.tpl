<b>[VarKit!Headline=Big Sale]</b>
