<b><VarKit Warranty=false></b>
