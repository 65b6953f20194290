<p>[VarKit Title=My Auction]</p>
<p>[VarKit Name]</p>
<p>[VarKit = ]</p>
<p>[VarKit]</p>
<p>[VarKit Link=a=b]</p>
<p>[VarKit!Headline=Big Sale]</p>
<p>[VarKit:Site=http://example.invalid/]</p>
<p>[VarKit#Price=12.50]</p>
<p>[VarKit+Part=include.htm]</p>
<p>[VarKit- Shipping]</p>
<p>[VarKit~Fill in every box]</p>
<p>[VarKit$ My Shop]</p>
<p>[VarKit$Help page=http://example.invalid/help]</p>
<p>[VarKit$$install=templates]</p>
<p>[VarKit Size=Small|Medium||Large]</p>
<p>[VarKit&Picture=red.png|blue.png]</p>
<p>[VarKit%Colour=#FF0000|green|blue]</p>
<p>[VarKit^Theme=Red|Blue]</p>
<p>[VarKit?Shade^=crimson|navy]</p>
<p>[VarKit?x^Shade=red]</p>
<p>[VarKit?total=5]</p>
<p>[VarKit?total]</p>
<p>[VarKit?random]</p>
<p>[VarKit?name ]</p>
<p>[VarKit?a|b]</p>
<p>[VarKit?a:b]</p>
<p>[VarKit?a!b]</p>
<p>[VarKit?a#b]</p>
<p>[VarKit?a-b]</p>
<p>[VarKit?a~b]</p>
<p>[VarKit?a+b]</p>
<p>[VarKit?a?b]</p>
<p>[VarKit?a&b]</p>
<p>[VarKit?a%b]</p>
<p>[VarKit?a;b]</p>
<p>[VarKit?a^=b]</p>
<p>[VarKit(Price+2*3-1/4)]</p>
<p>[VarKit(Price#20)]</p>
<p>[vArKiT lower=case]</p>
<p><VarKit Extras></p>
<p></VarKit></p>
<p><VARKIT Gift wrap=TRUE></p>
<p></varkit></p>
<p><VarKit Warranty=false></p>
<p></VarKit></p>
