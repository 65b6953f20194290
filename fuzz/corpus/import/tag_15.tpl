<b>[VarKit&Picture=red.png|blue.png]</b>
