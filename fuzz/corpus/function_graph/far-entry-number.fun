IMage
Count=5
Fe3Fe30180300=1/x
[Image]
Count=51e300
fct
Function0))
Function40180300=1/x
[Image]
Count=51e300
fct
Function0))
Function4=x0.Function4=JEF/5*(y^2)*cos(y)
