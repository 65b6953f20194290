<!-- casecheck.tpl: an include named Header.HTM whose file on disk is header.htm (case-insensitive path match) -->
[VarKit+ Header=Header.HTM]
<p>Body text after the header.</p>
