<meta http-equiv="Content-Type" content="text/html; charset=Shift_JIS">
<p>日本語 [VarKit Name=日本語]</p>
