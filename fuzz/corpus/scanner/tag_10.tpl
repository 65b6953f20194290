<b>[VarKit~Fill in every box]</b>
