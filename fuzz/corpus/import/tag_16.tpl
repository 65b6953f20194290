<b>[VarKit%Colour=#FF0000|green|blue]</b>
