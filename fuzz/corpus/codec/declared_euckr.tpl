<meta charset='euc-kr'>
<p>한국어 [VarKit Name=한국어]</p>
