<!-- <meta charset="utf-8"> --><meta charset="big5">
<p>中文許 [VarKit Name=中文許]</p>
