[image]
count=1e300
function0=y
