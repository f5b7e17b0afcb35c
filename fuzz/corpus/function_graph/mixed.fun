[Image]
Count=3
Function0=Y=x+1
Function1= y=x
Function2=-(x^2/4)-(y^2/9)=1
