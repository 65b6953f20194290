<!-- cp1252.tpl: windows-1252 bytes (e-acute 0xE9, euro 0x80, curly quotes 0x93 0x94) in a prompt, in values and in text -->
<p>Café menu, prices in €, “today only”</p>
<p>[VarKit Dish=Purée de pommes]</p>
<p>[VarKit Price=4,50 €]</p>
<p>[VarKit Café note=“Fresh” every morning]</p>
