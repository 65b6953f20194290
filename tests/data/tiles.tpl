<!-- tiles.tpl: a tile list naming a file beside the template, one found only in backgrounds, and one that exists nowhere -->
<div style="background-image:url('[VarKit& Tile=beside.png|only_here.png|nowhere.png]');">Tiled box</div>
