<b><VarKit Extras></b>
