[Image]
Count=5
Function0=y=x^2-4
Function1=y=2*sin(x)
Function2=y=1/x
Function3=p=4/(3-2*cos(x))
Function4=x=0.5*(y^2)*cos(y)
