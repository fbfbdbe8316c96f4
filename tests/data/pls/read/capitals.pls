[playlist]
NumberOfEntries=1

File0=http://caps.example/
Title0=lower-case title
listtype=TV
Length0=-1

Version=2
