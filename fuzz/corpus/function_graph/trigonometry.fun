[Image]
Count=3
Function0=y=sin(x)
Function1=y=cos(x)
Function2=y=tan(x)
