[VarKit Name=Café]
<p>€</p>