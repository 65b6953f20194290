<b>[VarKit Title=My Auction]</b>
