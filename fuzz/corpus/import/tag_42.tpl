<b></varkit></b>
