<b>[vArKiT lower=case]</b>
