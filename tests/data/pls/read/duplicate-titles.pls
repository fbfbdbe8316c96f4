[playlist]
NumberOfEntries=1

File0=http://one.example/
Title0=First
Length0=-1

Version=2
