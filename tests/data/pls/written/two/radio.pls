[playlist]
NumberOfEntries=2

File0=http://jazz.example/live
Title0=Jazz
Length0=-1

File1=udp://news.example:1234
Title1=News
listtype=TV
Length1=-1

Version=2
