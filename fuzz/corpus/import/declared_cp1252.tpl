<meta charset=iso-8859-1>
<p>Café “quoted” [VarKit Name=Café “quoted”]</p>
