<b>[VarKit$Help page=http://example.invalid/help]</b>
