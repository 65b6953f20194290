<!-- utf8.tpl: UTF-8 with a byte-order mark; e-acute, euro and a CJK character in text and values -->
<p>Café - € - 茶</p>
<p>[VarKit Greeting=Café 茶 €5]</p>
