<b>[VarKit Size=Small|Medium||Large]</b>
