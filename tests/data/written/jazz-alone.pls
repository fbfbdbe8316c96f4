[playlist]
NumberOfEntries=1

File0=http://jazz.example/stream
Title0=Jazz
Length0=-1

Version=2
