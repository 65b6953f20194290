<META HTTP-EQUIV=Content-Type CONTENT="text/html;charset=windows-1251">
<p>Русский [VarKit Name=Русский]</p>
