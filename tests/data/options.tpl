<!-- options.tpl: option lists with a "||" default, a leading "|", a trailing "|", all bars "|||" and a leading "||" -->
<p>Size: [VarKit Size=Small|Medium||Large]</p>
<p>Leading: [VarKit Leading bar=|First|Second]</p>
<p>Trailing: [VarKit Trailing bar=First|Second|]</p>
<p>Bars: [VarKit All bars=|||]</p>
<p>Start: [VarKit Leading default=||One|Two]</p>
