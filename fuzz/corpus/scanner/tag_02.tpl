<b>[VarKit = ]</b>
