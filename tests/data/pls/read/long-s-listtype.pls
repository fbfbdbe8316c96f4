[playlist]
NumberOfEntries=1

File0=http://tv.example/
Title0=News
listtype=TV
Length0=-1

Version=2
