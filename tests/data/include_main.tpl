<!-- include_main.tpl: an include file found in the template's own folder (include_part.htm) -->
<div>
[VarKit+ Part=include_part.htm]
</div>
