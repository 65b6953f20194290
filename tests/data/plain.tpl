<!-- plain.tpl: a template with no tags at all; the whole text is one end-of-file segment -->
<html>
<body>
<h1>Hand-thrown stoneware mug</h1>
<p>Glazed in deep blue, holds 350 ml. Dishwasher safe.</p>
</body>
</html>
