[playlist]
NumberOfEntries=2

File0=http://one.example/
Title0=One
Length0=-1

File1=http://zero-one.example/
Title1=Zero One
Length1=-1

Version=2
