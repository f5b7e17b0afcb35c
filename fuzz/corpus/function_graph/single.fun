[Image]
Count=0
XYP=P
Function=4/(2-2*cos(x))
