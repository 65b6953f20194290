<!-- sections.tpl: a =false section and a =true section, with fields inside and outside them -->
<p>Before: [VarKit Outside first=alpha]</p>
<VarKit Extras=false>
<p>Extras: [VarKit Inside off=beta]</p>
</VarKit>
<VarKit Warranty=true>
<p>Warranty: [VarKit! Inside on=gamma]</p>
</VarKit>
<p>After: [VarKit Outside last=delta]</p>
