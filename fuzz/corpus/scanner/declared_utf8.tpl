<meta charset="utf-8">
<p>Café – €5 中 😀 [VarKit Name=Café – €5 中 😀]</p>
