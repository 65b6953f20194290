<b><VARKIT Gift wrap=TRUE></b>
