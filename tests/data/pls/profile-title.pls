[playlist]
File1=http://one.example/
Title1=My profile
Length1=-1
