<meta charset="utf-16">
<p>Café [VarKit Name=Café]</p>
