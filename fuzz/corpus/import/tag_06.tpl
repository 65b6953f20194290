<b>[VarKit:Site=http://example.invalid/]</b>
