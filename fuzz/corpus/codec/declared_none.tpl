
<p>Café €5 [VarKit Name=Café €5]</p>
